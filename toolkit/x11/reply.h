// Every reply kolwe asks of the X server, owned: freed when it goes, and an X error on its way
// written as one line on standard error. Toolkit sources only.
#pragma once

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace toolkit {

struct FreeXcbReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, FreeXcbReply>;

// What ask gives, a call of an xcb_..._reply function with the error pointer it is handed; on
// an error, nothing and a line naming the request and the error's code.
template <typename Ask>
auto ReplyTo(const char* request, Ask ask) {
  xcb_generic_error_t* error = nullptr;
  XcbReply<std::remove_pointer_t<decltype(ask(&error))>> reply(ask(&error));
  if (error) {
    std::fprintf(stderr, "kolwe: the X server refused %s: error %u\n", request,
                 unsigned(error->error_code));
    std::free(error);
  }
  return reply;
}

}  // namespace toolkit

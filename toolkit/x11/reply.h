// Every reply kolwe asks of the X server, owned: freed when it goes, and an X error on its way
// written as one line on standard error, or handed to a caller that says more. Toolkit sources
// only.
#pragma once

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>

namespace toolkit {

struct FreeXcbReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, FreeXcbReply>;

// What ask gives, a call of an xcb_..._reply function with the error pointer it is handed; on
// an error, nothing and the words naming the request and the error's code: into refusal when
// the caller takes them, else as a line.
template <typename Ask>
auto ReplyTo(const char* request, Ask ask, std::string* refusal = nullptr) {
  xcb_generic_error_t* error = nullptr;
  XcbReply<std::remove_pointer_t<decltype(ask(&error))>> reply(ask(&error));
  if (error) {
    const std::string words = std::string("the X server refused ") + request + ": error " +
                              std::to_string(unsigned(error->error_code));
    if (refusal) {
      *refusal = words;
    } else {
      std::fprintf(stderr, "kolwe: %s\n", words.c_str());
    }
    std::free(error);
  }
  return reply;
}

}  // namespace toolkit

// The application's X11 connection, where Qt runs on X11. Toolkit sources only.
#pragma once

struct xcb_connection_t;

namespace toolkit {

// nullptr on other platforms.
xcb_connection_t* X11Connection();

}  // namespace toolkit

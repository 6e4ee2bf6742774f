#pragma once

namespace gs {

// SDL wakes its own wait for events by sending a message to one of our
// windows through a second X connection, whenever an event arrives while
// it waits. When that event is the key that ends the show, our windows are
// destroyed at once through the first connection, and the server may carry
// out the destruction before it takes the message from the second: the
// message then names a window that is gone, and Xlib's default handler
// ends a good run with status 1. A message to a window that is gone has
// nobody to reach, so such errors are dropped; every other error goes on
// to the handler that was there before. Installed once per process, before
// SDL opens its connections.
void IgnoreMessagesToGoneWindows();

}  // namespace gs

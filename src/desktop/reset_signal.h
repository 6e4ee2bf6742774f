#pragma once

namespace gs {

// SIGUSR1 asks a saver to start afresh: xsecurelock sends it when its
// password prompt closes (with XSECURELOCK_SAVER_RESET_ON_AUTH_CLOSE=1) and
// starts again any saver that ended. Its default action would kill the
// process, which the host logs as a crash; instead the saver ends as SIGTERM
// ends it, cleanly and with status 0, and the host's restart is the reset.
void EndCleanlyOnResetSignal();

}  // namespace gs

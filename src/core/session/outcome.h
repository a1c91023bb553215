#pragma once

namespace tpw {

// How an operation ended: a transfer, an open, a save. A cancel is what the user asked for
// (Cancel pressed, a question declined, a file dialog closed), so it is never reported as a
// failure; a failure has been told to the user by the operation, which says what it left.
enum class Outcome { Done, Failed, Cancelled };

}  // namespace tpw

#pragma once

namespace zub {

// Ends the program: the message loop stops at once, nested loops such as an open error box included.
// Windows are not asked to close first, so a close handler that ends the program is not run again.
void Terminate();

} // namespace zub

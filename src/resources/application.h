#pragma once

namespace quatrelle::resources {

// Names the application after the program's version information: message boxes take their
// title from it, desktops their icon and entry.
void DescribeApplication();

} // namespace quatrelle::resources

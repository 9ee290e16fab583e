#pragma once

// The module's version, as the About window and a snapshot name it.
inline constexpr char kModuleVersion[] = "4.50V10";

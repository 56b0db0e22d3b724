#pragma once
// The Win32 error codes the settings store answers with where no real registry gives them.

#include "settings/registry_layer.h"

namespace duplexa::registry::codes {

inline constexpr Code kSuccess = 0;
inline constexpr Code kFileNotFound = 2;       // ERROR_FILE_NOT_FOUND: missing key or value
inline constexpr Code kPathNotFound = 3;       // ERROR_PATH_NOT_FOUND: no configuration folder
inline constexpr Code kAccessDenied = 5;       // ERROR_ACCESS_DENIED
inline constexpr Code kInvalidHandle = 6;      // ERROR_INVALID_HANDLE: unknown hive, closed key
inline constexpr Code kInvalidData = 13;       // ERROR_INVALID_DATA: a value that is no file
inline constexpr Code kInvalidParameter = 87;  // ERROR_INVALID_PARAMETER: refused value name
inline constexpr Code kDiskFull = 112;         // ERROR_DISK_FULL
inline constexpr Code kMoreData = 234;         // ERROR_MORE_DATA: value longer than asked for
inline constexpr Code kBadKey = 1010;          // ERROR_BADKEY: refused key path
inline constexpr Code kCantRead = 1012;        // ERROR_CANTREAD
inline constexpr Code kCantWrite = 1013;       // ERROR_CANTWRITE

}  // namespace duplexa::registry::codes

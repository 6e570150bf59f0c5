#pragma once
// The one way this directory includes the Windows API. <windows.h> turns CopyFile,
// MoveFile and DeleteFile into macros, which would rename the FileSystem interface's
// methods in some translation units and not in others; the program's names win.
#include <windows.h>
#undef CopyFile
#undef MoveFile
#undef DeleteFile

// The system interface the program is written against: the Windows functions
// it calls, under their own names, here implemented over POSIX and Qt Core.
#pragma once

#include "platform/fileio.h"
#include "platform/filetime.h"
#include "platform/findfile.h"
#include "platform/folderbrowser.h"
#include "platform/lasterror.h"
#include "platform/messagebox.h"
#include "platform/registry.h"
#include "platform/sysinfo.h"
#include "platform/tempfiles.h"
#include "platform/wintypes.h"

#pragma once

// xcb/xkb.h names a structure member "explicit", a C++ keyword.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

// Everything a program needs to use the library: forms with controls (ulmaro/form.h),
// their values (ulmaro/value.h), the version, and the platform the controls draw with
// (ulmaro/platform/: the desktop drawing and window API, and PNG files).
#pragma once

#include <ulmaro/form.h>
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>
#include <ulmaro/platform/scoped_gdi.h>
#include <ulmaro/platform/win32.h>
#include <ulmaro/value.h>
#include <ulmaro/version.h>

// ORVExport.h - symbol visibility of the library ORVBasic.
//
// The library is built with hidden symbols; the public API is what carries
// ORV_EXPORT.
#pragma once

#define ORV_EXPORT __attribute__((visibility("default")))

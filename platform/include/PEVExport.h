// PEVExport.h - symbol visibility of the platform library QM7GROUP.
//
// The platform is built with hidden symbols; only what carries PEV_EXPORT is
// part of its interface.
#pragma once

#define PEV_EXPORT __attribute__((visibility("default")))

// The release's version, for the version resources. The product records 21100
// (registry/ProductRecord.h): major 2, minor 11, revision 00, written 2.11.0.
#pragma once
#define RELEASE_VERSION_BINARY 2,11,0,0
#define RELEASE_VERSION_TEXT   "2.11.0.0"
#define RELEASE_PRODUCT_TEXT   "2.11.0 (21100)"

// The integrity table of the executable's raw-data resources and its check; pure.
// Table layout, little-endian 32-bit words: one row per resource (number, size in bytes,
// CRC-32 of its bytes), then the CRC-32 of all the rows' bytes.
#pragma once
#include <cstdint>

// CRC-32 (the one of zip and PNG: reflected, polynomial 0xEDB88320) of size bytes.
uint32_t Crc32(const void* data, uint32_t size);

// The bytes of raw-data resource `number` and their count; NULL (count 0) when it is missing.
typedef const void* (*RawResourceLookup)(unsigned number, unsigned long* size);

// True only when the table, resource `tableNumber`, is whole (its own check value holds) and
// every resource it lists is present with its size and CRC-32.
bool ResourcesMatchTable(unsigned tableNumber, RawResourceLookup lookup);

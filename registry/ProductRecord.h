// The product's registry record and the registry routines every value goes through.
#pragma once
#include "base/SetupGlobals.h"
#include <windows.h>

#define PRODUCT_KEY       "Software\\Quorvel\\ZkV4Ivi"
#define MAKER_KEY         "Software\\Quorvel"
#define PRODUCT_KEY_NAME  "ZkV4Ivi"
#define SETUP_VERSION     21100u



int ReadRegValue(HKEY root, const char* valueName, DWORD expectedType, void* buffer,
                 DWORD* size, const char* subKey);
int WriteRegValue(HKEY root, const char* valueName, DWORD type, const void* data,
                  DWORD dataSize, const char* subKey);
int WriteProductValue(const char* valueName, DWORD type, const void* data, DWORD dataSize);
int GetInstalledState();
int DeleteProductKey();

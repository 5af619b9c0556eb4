// Names of the files the setup program installs; every layer that walks them reads these.
#pragma once

#define PAYLOAD_NAME_SIZE 65
#define PAYLOAD_FILE_COUNT 7
#define DRIVER_FILE_COUNT 1

extern const char g_payloadFiles[PAYLOAD_FILE_COUNT][PAYLOAD_NAME_SIZE];
extern const char g_driverFiles[DRIVER_FILE_COUNT][PAYLOAD_NAME_SIZE];

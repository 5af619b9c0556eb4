#include "base/PayloadNames.h"

const char g_payloadFiles[PAYLOAD_FILE_COUNT][PAYLOAD_NAME_SIZE] = {
    "ZkV4Ivi.ime", "Help.chm", "QueryPY.dat", "PhrChs.dat",
    "PhrCht.dat", "ZkSDChs.dat", "ZkSDCht.dat"};

const char g_driverFiles[DRIVER_FILE_COUNT][PAYLOAD_NAME_SIZE] = {"Vsock28.vxd"};

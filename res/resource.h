// Resource and control identifiers shared by the resource script and the code.
#pragma once

#define IDD_WIZARD_FRAME      100
#define IDD_WELCOME_PAGE      101
#define IDD_LICENSE_PAGE      102
#define IDD_FINISH_PAGE       104
#define IDD_MAINTENANCE_PAGE  105
#define IDD_PROGRESS_PAGE     106

#define IDI_APPLICATION_ICON  120
#define IDB_BANNER            121

#define IDC_BACK              1001
#define IDC_NEXT              1002
#define IDC_CLOSE             1003
#define IDC_CANCEL_BUTTON     1004
#define IDC_FINISH            1005
#define IDC_TEXT_FIRST        1020
#define IDC_TEXT_SECOND       1021
#define IDC_LICENSE_TEXT      1060
#define IDC_RADIO_FIRST       1070
#define IDC_RADIO_SECOND      1071
#define IDC_LINE_TOP          1101
#define IDC_LINE_BOTTOM       1102
#define IDC_PROGRESS_BAR      1103

// Raw-data resources (type 10).
#define IDR_INTEGRITY_TABLE   190   // size and CRC-32 of every other one
#define IDR_LICENSE_BASE      200   // + language index
#define IDR_IME_MODULE_9X     210
#define IDR_HELP_FILE         211
#define IDR_QUERY_PY          212
#define IDR_PHR_CHS           213
#define IDR_PHR_CHT           214
#define IDR_ZKSD_CHS          215
#define IDR_ZKSD_CHT          216
#define IDR_IME_MODULE_NT5    230
#define IDR_DRIVER_BASE       250

#pragma once
// Identifiers shared by the resource script and the code: resources and the controls of the
// two windows. Plain macros, because the resource compiler reads this file.
// NOLINTBEGIN(cppcoreguidelines-macro-usage)

// Resources. The program icon is 1, from resources/vellumark.rc.
#define IDR_PROGRAM_ICON 1
#define IDB_PASTE 110
#define IDB_CLEAR 111
#define IDB_CUT 112
#define IDB_COPY 113
#define IDC_HAND_CURSOR 120

// Controls of the main window, in the order that they take in the tab order.
#define IDC_FRAME1 300
#define IDC_TXT_CODE_NUM 301
#define IDC_FRAME2 302
#define IDC_TXT_IN 303
#define IDC_CMD_PASTE_INPUT 304
#define IDC_CMD_CLEAR_INPUT 305
#define IDC_CMD_CUT_OUTPUT 306
#define IDC_CMD_COPY_OUTPUT 307
#define IDC_TXT_OUT 308
#define IDC_LBL_ENCRYPT 309
#define IDC_LBL_DECRYPT 310
#define IDC_FRA_MODE 311
#define IDC_FRAME3 312
#define IDC_STATUS_BAR 313

// Controls of the about box.
#define IDC_FRA_THE_FRAME 400
#define IDC_LABEL3 401
#define IDC_LBL_URL 402
#define IDC_LABEL1 403
#define IDC_LABEL2 404
#define IDC_IMAGE1 405
// NOLINTEND(cppcoreguidelines-macro-usage)

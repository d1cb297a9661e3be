/* Prints what a Windows user reads in the shown top-level window titled exactly argv[1]: the
 * text of each visible control, one a line in UTF-8, a check box or option button preceded
 * by "[x] " when ticked and "[ ] " when not. Exits 1 when no such window is shown. Built and
 * run under Wine by installer_test.sh, which cannot read a window's controls from outside. */
#include <stdio.h>
#include <windows.h>

static BOOL CALLBACK PrintControl(HWND control, LPARAM unused) {
    (void)unused;
    if (!IsWindowVisible(control)) {
        return TRUE;
    }
    wchar_t text[1024];
    char utf8[4096];
    GetWindowTextW(control, text, 1024);
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
    wchar_t kind[32];
    GetClassNameW(control, kind, 32);
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiW(kind, L"Button") == 0 && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                                            type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)) {
        const int ticked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        printf("%s %s\n", ticked ? "[x]" : "[ ]", utf8);
    } else if (utf8[0] != '\0') {
        printf("%s\n", utf8);
    }
    return TRUE;
}

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: window_texts TITLE\n");
        return 2;
    }
    HWND window = FindWindowW(NULL, argv[1]);
    if (window == NULL || !IsWindowVisible(window)) {
        return 1;
    }
    EnumChildWindows(window, PrintControl, 0);
    return 0;
}

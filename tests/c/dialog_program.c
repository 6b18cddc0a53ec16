/* A plain Win32 program in C: registers a class, builds a DLGTEMPLATE in
 * memory by hand, creates the dialog, and drives it with messages and
 * injected input as a user would. Returns 0 when everything behaved, else
 * the number of the first check that failed. */
#include <windows.h>

#include <string.h>

#define ID_EDIT 101
#define ID_COUNTER 102
#define INIT_PARAM 7
#define TEMPLATE_WORDS 512

static int g_clicks;
static LPARAM g_initParam;
static int g_okPressed;

static LRESULT CALLBACK CounterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN)
        ++g_clicks;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)dialog;
    if (message == WM_INITDIALOG) {
        g_initParam = lParam;
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        g_okPressed = 1;
        return TRUE;
    }
    return FALSE;
}

/* ---- Writing a template ---- */

static WORD g_template[TEMPLATE_WORDS];
static size_t g_used;

static void PutWord(WORD value) { g_template[g_used++] = value; }
static void PutDword(DWORD value)
{
    PutWord((WORD)(value & 0xFFFF));
    PutWord((WORD)(value >> 16));
}
static void PutText(const char *text)
{
    while (*text)
        PutWord((WORD)(unsigned char)*text++);
    PutWord(0);
}
static void AlignToDword(void)
{
    if (g_used % 2)
        PutWord(0);
}
static void PutItem(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classOrdinal,
                    const char *className, const char *text)
{
    AlignToDword();
    PutDword(style | WS_CHILD | WS_VISIBLE);
    PutDword(0);
    PutWord((WORD)x);
    PutWord((WORD)y);
    PutWord((WORD)cx);
    PutWord((WORD)cy);
    PutWord(id);
    if (className) {
        PutText(className);
    } else {
        PutWord(0xFFFF);
        PutWord(classOrdinal);
    }
    PutText(text);
    PutWord(0); /* no creation data */
}

static const DLGTEMPLATE *BuildTemplate(void)
{
    g_used = 0;
    PutDword(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE);
    PutDword(0);
    PutWord(3); /* items */
    PutWord(10);
    PutWord(10);
    PutWord(160);
    PutWord(80);
    PutWord(0); /* no menu */
    PutWord(0); /* the dialog class */
    PutText("C program");
    PutWord(8);
    PutText("MS Sans Serif");
    PutItem(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 100, 12, ID_EDIT, 0x0081, NULL, "");
    PutItem(WS_TABSTOP, 10, 30, 40, 20, ID_COUNTER, 0, "Counter", "count");
    PutItem(BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 60, 50, 14, IDOK, 0x0080, NULL, "OK");
    return (const DLGTEMPLATE *)g_template;
}

/* ---- Input ---- */

static void Key(WORD key, DWORD flags)
{
    INPUT input;
    memset(&input, 0, sizeof(input));
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

static void Press(WORD key)
{
    Key(key, 0);
    Key(key, KEYEVENTF_KEYUP);
}

static void ClickCentre(HWND window)
{
    RECT rect;
    INPUT inputs[3];
    int i;
    GetWindowRect(window, &rect);
    memset(inputs, 0, sizeof(inputs));
    for (i = 0; i < 3; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = (rect.left + rect.right) / 2;
        inputs[i].mi.dy = (rect.top + rect.bottom) / 2;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

static void Pump(HWND dialog)
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

int main(void)
{
    WNDCLASSA wc;
    HWND dialog, edit;
    BOOL translated = FALSE;
    char text[16];

    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = CounterProc;
    wc.lpszClassName = "Counter";
    if (!RegisterClassA(&wc))
        return 1;

    dialog = CreateDialogIndirectParamA(NULL, BuildTemplate(), NULL, DialogProc, INIT_PARAM);
    if (!dialog)
        return 2;
    if (g_initParam != INIT_PARAM || !IsWindowVisible(dialog))
        return 3;
    edit = GetDlgItem(dialog, ID_EDIT);
    if (!edit || GetFocus() != edit)
        return 4;

    SetDlgItemInt(dialog, ID_EDIT, 12, TRUE);
    if (GetDlgItemInt(dialog, ID_EDIT, &translated, TRUE) != 12 || !translated)
        return 5;

    SetDlgItemTextA(dialog, ID_EDIT, "");
    Press('3');
    Press('4');
    Pump(dialog);
    GetDlgItemTextA(dialog, ID_EDIT, text, sizeof(text));
    if (strcmp(text, "34") != 0)
        return 6;

    ClickCentre(GetDlgItem(dialog, ID_COUNTER));
    Pump(dialog);
    if (g_clicks != 1)
        return 7;

    SetFocus(edit);
    Press(VK_RETURN);
    Pump(dialog);
    if (!g_okPressed)
        return 8;

    if (!DestroyWindow(dialog) || IsWindow(edit))
        return 9;
    return 0;
}

#include "framework_state.h"

#include <windows.h>

#include "framework/gdi.h"
#include "framework/wnd.h"

FrameworkState& AfxState() {
    // Never destroyed: window objects of other modules may outlive static destruction here.
    static FrameworkState* state = new FrameworkState;
    return *state;
}

std::vector<const CRuntimeClass*>& AfxRegisteredClasses() {
    static auto* classes = new std::vector<const CRuntimeClass*>;
    return *classes;
}

void AfxTrace(const char* text) { ::OutputDebugStringA(text); }

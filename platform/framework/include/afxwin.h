// The class framework: windows, dialogs, controls, drawing objects, data
// exchange, the application object and the resource chain.
#pragma once

#include <windows.h>

#include "framework/app.h"
#include "framework/controls.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_map.h"
#include "framework/resource_chain.h"
#include "framework/runtime_class.h"
#include "framework/types.h"
#include "framework/wnd.h"

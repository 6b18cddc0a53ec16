// Property pages and property sheets.
#pragma once

#include "afxwin.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"

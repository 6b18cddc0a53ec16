// Extension libraries and the resource chain.
#pragma once

#include "afxwin.h"

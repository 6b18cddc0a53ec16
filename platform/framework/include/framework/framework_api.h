// Visibility of the class framework. The framework is one shared library whose
// state (the application object, the handle maps, the resource chain) exists
// once per process; its classes and functions are exported with default
// visibility, everything else stays hidden.
#pragma once

#define FRAMEWORK_API __attribute__((visibility("default")))

// Marks a message handler in a class declaration; it expands to nothing.
#define afx_msg

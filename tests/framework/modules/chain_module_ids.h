// What each build of the chain module carries.
#pragma once

// Only the first module has a dialog of this number.
#define CHAIN_DIALOG_ID 400

#define CHAIN_FIRST_STRINGS {{20, "first twenty"}, {30, "first thirty"}}
#define CHAIN_SECOND_STRINGS {{20, "second twenty"}, {21, "second twenty-one"}}

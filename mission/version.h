// The module's version text: one constant for the mission description, the version
// verification buffer and the version command.
#pragma once

#define KESTRANE_VERSION "0.4.3-158"

constexpr char kVersionText[] = KESTRANE_VERSION;

// The uniform failure reports of the commands, and the two argument helpers that many commands
// share. A command that detects a failure reports it once and stops; nothing is raised.
#pragma once

#include <cstdint>
#include <exception>

#include "message/report_texts.h"

// Sends prefix followed by text as one message with the given sound. Recipient and target
// stay as the writer left them. Dropped without notice while the message stream is bad.
void report(const char* prefix, const char* text, std::int32_t sound);
void report(const ReportCategory& category, const char* text);

void reportInvalidParameterList();
void reportInvalidParameter();
void reportOffsetOverflow();
void reportLossOfModuleIntegrity();

// "Out of memory: " and the failure's description, straight to the host: it allocates nothing
// and leaves the message stream and any half-written message alone.
void reportOutOfMemory(const std::exception& failure);

// Reads an unsigned decimal number at *cursor as the 32-bit platform's strtoul does: leading
// white space skipped, an optional sign (minus negates modulo 2^32), digits up to the first
// non-digit. On success moves *cursor past the digits. With no digits, or a magnitude above
// 2^32 - 1, reports "Invalid parameter list", leaves *cursor alone and returns false. value
// is stored in every case (0 without digits, 4294967295 when out of range).
bool parseUnsigned(const char** cursor, std::uint32_t& value);

// Sets player to the lowest-numbered player that is not human. With none, reports
// "No AI player available" and returns false.
bool findAIPlayer(std::uint32_t& player);

#pragma once

#include <QString>

namespace vevezo {

inline constexpr const char* kSystemSourceName = "System";

// The XML of the built-in System source: today's date, page number and count, and the
// registered user and organisation, each with its caption and format.
QString SystemSourceText();

// The registered user: the settings' "RegisteredOwner", else the account's full name.
QString RegisteredOwner();
// The registered organisation: the settings' "RegisteredOrganization", else empty.
QString RegisteredOrganization();

} // namespace vevezo

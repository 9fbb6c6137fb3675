// link_settings.h -- the link's two stored settings: the port it listens on or joins, and the partner's address.
#pragma once

#include <cstdint>
#include <string>

constexpr std::uint16_t DefaultLinkPort = 7373;
constexpr const char* DefaultLinkPeer = "127.0.0.1";

// "Link_Port" (a number 1..65535; anything else reads as 7373).
std::uint16_t ReadLinkPort();
// "Link_Peer" (a host name or address; empty or missing reads as 127.0.0.1).
std::string ReadLinkPeer();

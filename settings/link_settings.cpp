// link_settings.cpp -- Link_Port and Link_Peer in the settings file.
#include "settings/link_settings.h"

#include "platform/settings_store.h"
#include "settings/settings.h"

std::uint16_t ReadLinkPort() {
  std::uint32_t value = 0;
  if (!platform::ReadStoreNumber(GameSettingsKey, "Link_Port", value) || value == 0 || value > 65535)
    return DefaultLinkPort;
  return static_cast<std::uint16_t>(value);
}

std::string ReadLinkPeer() {
  std::string peer;
  if (!platform::ReadStoreString(GameSettingsKey, "Link_Peer", peer) || peer.empty()) return DefaultLinkPeer;
  return peer;
}

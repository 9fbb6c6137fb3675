// platform.h -- the narrow interface between the game and the machine it runs on.
#pragma once

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/image_decoder.h"
#include "platform/instance_lock.h"
#include "platform/messages.h"
#include "platform/settings_store.h"
#include "platform/system_box.h"
#include "platform/waits.h"

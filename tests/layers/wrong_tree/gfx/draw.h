// draw.h -- a drawing header.
#pragma once

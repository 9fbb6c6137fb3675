// stand_in_pictures.h -- plain pictures for the duel's files the data set does not hold yet (tests only).
#pragma once

// Writes a plain BMP at every duel picture path that is missing under the
// install directory; returns how many were missing.
int FillMissingDuelPictures();

// club_tutorial.h -- the club's first-play tutorial: where the club and its rooms hand over to it.
//
// While the tutorial runs (GameClub.tutorialActive) the club's frame and
// stylus calls go to the tutorial, which lets through only the action the
// current step asks for. The rooms it walks through are put into their
// tutorial mode with ClubScreenBase::SetTutorial (true) and SetTutorialStage
// (the shop with stage 4, instant play with 9; the challenge screen is
// switched on by OpenChallenge). A room screen in tutorial mode reports
// "finished" (StylusUp true) when its part is done: the shop after opening
// the card manager, the card manager when the deck is full, instant play
// after opening an opponent's challenge, the challenge after starting the
// duel (StartClubDuel). The tutorial then closes it and moves on.
#pragma once

#include "club/club_screen.h"

// Called when a fade-in has ended on the screen (the corridor, the shop,
// instant play), after the screen's Enter.
void TutorialAfterFadeIn(ClubScreen screen);
// Called when walking has stopped at a room.
void TutorialAtRoom();
// A quick save resumed inside the tutorial: it runs silent again, and the
// sound setting in force now comes back when it ends.
void ResumeTutorialSilence();

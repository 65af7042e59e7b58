#pragma once
#include "synth.h"

Samples chimeSound();  // kako.wav: a two-note bell for joins and chat lines
Samples placeSound();  // put.wav: a stone set down on a wooden board
Samples buzzSound();   // buz.wav: a short low "wrong" buzz
Samples flipSound();   // change.wav: a quick tick, well under 100 ms
Samples rotateSound(); // rotate.wav: a rising whoosh with a shimmer

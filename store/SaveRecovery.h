#pragma once

// Run once at start, before the store is loaded and while no write can be
// under way (this copy holds the single-instance lock): completes or undoes
// every alarm save that a kill or a power cut stopped (AlarmFilePair::Finish),
// then removes the temporaries that cut-short lone writes (the index, the
// options, the skin setting) left in the user's folder and its alarm folder.
// It reads the two folders' names once and touches only what a cut-short
// write left, so it costs next to nothing when there is none.
void RecoverCutShortSaves();

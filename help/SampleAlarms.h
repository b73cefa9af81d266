#pragma once

class TFormMain;

// The alarms that the pictures of the windows show (the guide's and those of
// scripts/screenshots): one of each mode, each with a message and a sound.
// Written into the program folder in use and listed in the manager.
void AddSampleAlarms(TFormMain &manager);

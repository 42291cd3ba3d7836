// The game proper: one frame at a time, with a turn of the world whenever the hero's
// action uses one up.
#pragma once

// Runs the frames of a game set up by a new game or a load until GameOver is set, then
// the ending (score, high scores, victory screen), and returns to the title.
void RunTurnLoop();
// One frame of the turn loop, from the look-mode reset to EndFrame.
void TurnLoopFrame();

// After the hero's fall, when the player asked for it: the map and the panels stay, with
// the cause of death in the log, until Space, Enter or Esc.
void ShowDeathMoment();

// The keys of a frame, given by the mode (UiMode, DialogueState) to its one owner: the
// skill hotkeys and the hero's commands on the map, the inventory panel, the skill list,
// the skill in use, the open interaction. The panel keys run before the panels are
// drawn and go to the owner of the mode alone; the world keys run after them, and a
// handler that opens a later owner's mode hands the keys over in the same frame.
void RunPanelKeys();
void RunWorldKeys();

// @ts-check
// What the page and the game's worker say to each other, named once for both sides: the build puts
// this file at the head of the worker's script too. The page sends the worker one event at a time,
// in the order they were made, and the worker answers each with the frame it caused.

/** The events, each with the fields it carries beside its name. */
export const GameEvent = Object.freeze({
  PRESS: "press", // x, y: a left press at board pixel (x, y)
  RIGHT_PRESS: "right press",
  KEY: "key", // key: a board key's number, as the page's description gives it; repeated: 0 or 1
  FOCUSED: "focused", // the keyboard brought the focus to the board
  COMMAND: "command", // command: a menu command's id
  ANSWER: "answer", // confirmed: OK or not; checked: the ids of the dialog's checked buttons
  // A question while the settings dialog opens, answered by its layout instead of a frame:
  // measures, the font at growing sizes ([width of the 52 Latin letters, line height]); room,
  // the screen's width; leastTarget, each Tab stop's least size, all in pixels.
  LAYOUT: "layout",
});

/**
 * What an event did, in the order it did it.
 * @typedef {object} Frame
 * @property {ArrayBuffer} pixels the board: 264 rows of 264 pixels, each red, green, blue, alpha
 * @property {string} told what changed, in words, for a screen reader; empty when nothing did
 * @property {number} beeps the presses rejected
 * @property {number[] | null} settings the settings dialog to open, with these ids checked
 * @property {boolean} quit 終了 was chosen
 * @property {string} [description] in the first frame alone: the page's description, as JSON
 */

/**
 * The game stopped, and why: instead of a frame.
 * @typedef {{ stopped: string }} Stopped
 */

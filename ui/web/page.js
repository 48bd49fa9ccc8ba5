// @ts-check
// The page: the board's canvas, its presses, its keys and its scale, and the start. The game runs
// in a worker (game.js), where it paints the board's pixels and tells in words what changed; this
// forwards the player's events to it, shows the frames it answers with and hands its words to a
// live region, so that the page answers at once while the computer thinks. The menu bar, the
// settings dialog and the sound have scripts of their own.
import { GameInWorker } from "./game.js";
import { GameEvent } from "./messages.js";
import { buildMenuBar } from "./menu.js";
import { SettingsDialog } from "./settings.js";
import { beep } from "./sound.js";

// At most this many times the board's own size on the screen, however large the window.
const LARGEST_SCALE = 2;
const THINKING = "コンピューターが考えています… (The computer is thinking…)";

const canvas = /** @type {HTMLCanvasElement} */ (document.getElementById("board"));
// The board's pixels come from memory, whole: a canvas kept in memory too takes them as they are,
// where one kept on the graphics card would send them there first (in WebKit the first of those
// alone took longer than the rest of the start).
const context = /** @type {CanvasRenderingContext2D} */ (
  canvas.getContext("2d", { willReadFrequently: true }));
const told = /** @type {HTMLElement} */ (document.getElementById("told"));
// Until the board is shown the status line says the page is loading; a failure to start is
// reported there by loading.js, which started this module and the worker, and watches them start.
const status = /** @type {HTMLElement} */ (document.getElementById("status"));
const statusText = /** @type {HTMLElement} */ (document.getElementById("status-text"));
/** @type {SettingsDialog} */
let dialog;
let failed = false; // the status line says the game has stopped

const boardShown = () => performance.getEntriesByName("board-shown").length > 0;

// The game's worker, which loading.js started with this module, so that its script comes while
// this module's imports do.
function startedWorker() {
  /** @type {Worker | null} */
  let worker = null;
  const take = (started) => (worker = started);
  document.dispatchEvent(new CustomEvent("game-worker-wanted", { detail: take }));
  if (worker === null) {
    throw new Error("the game's worker was not started");
  }
  return worker;
}

// The module's WebAssembly, fetched as the page's preload asked (so once) and compiled here while
// the worker's script loads: as it streams where the server says it is WebAssembly, else whole.
async function compiledWasm() {
  const missing = (why) => Object.assign(new Error(why), { file: "yorunami.wasm" });
  const response = await fetch("yorunami.wasm").catch((error) => {
    throw missing(error.message);
  });
  if (!response.ok) {
    throw missing(`HTTP ${response.status}`);
  }
  if ((response.headers.get("Content-Type") || "").startsWith("application/wasm")) {
    return WebAssembly.compileStreaming(response);
  }
  return WebAssembly.compile(await response.arrayBuffer());
}

// What an event did: the board as it now looks, its words for a screen reader (a new line each
// time, so that the same words said twice are heard twice), its beeps, and the dialog or the end.
/** @param {import("./messages.js").Frame} frame */
function showFrame(frame) {
  const pixels = new Uint8ClampedArray(frame.pixels);
  context.putImageData(new ImageData(pixels, canvas.width), 0, 0);
  if (frame.told !== "") {
    const line = document.createElement("span");
    line.textContent = frame.told;
    told.replaceChildren(line);
  }
  for (let beeps = 0; beeps < frame.beeps; beeps += 1) {
    beep();
  }
  if (frame.settings !== null) {
    dialog.open(frame.settings);
  }
  if (frame.quit) {
    quit();
  }
}

// The computer is thinking: said in the status line (never over a failure) and to a screen reader,
// the board busy, with a busy cursor over it.
function thinking(shown) {
  if (shown) {
    canvas.setAttribute("aria-busy", "true");
  } else {
    canvas.removeAttribute("aria-busy");
  }
  if (!failed) {
    statusText.textContent = THINKING;
    status.hidden = !shown;
  }
}

// The game has stopped (its module aborted, or a call into it failed) after the board was shown: it
// cannot go on, so the page offers to start it again, and reports the error. A failure before that
// is the start's, which loading.js reports.
function stopped(reason) {
  if (!boardShown()) {
    return;
  }
  failed = true;
  statusText.textContent = "ゲームが止まりました。再読み込みすると、始めから遊べます。" +
    " The game has stopped. Reload the page to play again from the start.";
  /** @type {HTMLElement} */ (document.getElementById("reload")).hidden = false;
  status.hidden = false;
  reportError(new Error(`The game stopped: ${reason}`));
}

const worker = startedWorker();
const game = new GameInWorker(worker, await compiledWasm(),
  { frame: showFrame, thinking, stopped });
worker.addEventListener("error", (event) => {
  if (boardShown()) {
    event.preventDefault(); // reported as the game's stop
    game.stop(event.message || "its worker failed");
  }
});
const first = await game.started;
const description = JSON.parse(/** @type {string} */ (first.description));
const BOARD_PIXELS = description.boardPixels;

// A whole number of device pixels for each board pixel, as many as fit, so that the board stays
// crisp on any screen.
function fitBoard() {
  const ratio = window.devicePixelRatio || 1;
  const menuHeight = /** @type {HTMLElement} */ (document.getElementById("menu-bar")).offsetHeight;
  const margins = 2 * parseFloat(getComputedStyle(canvas).marginTop);
  const room = Math.min(window.innerWidth - 16, window.innerHeight - menuHeight - 16) - margins;
  const fits = Math.floor((room * ratio) / BOARD_PIXELS);
  const scale = Math.max(1, Math.min(fits, Math.floor(LARGEST_SCALE * ratio)));
  canvas.style.width = canvas.style.height = `${(BOARD_PIXELS * scale) / ratio}px`;
}

// The board pixel under a press, whatever the scale.
function boardPixel(event) {
  const area = canvas.getBoundingClientRect();
  const at = (offset, size) =>
    Math.min(BOARD_PIXELS - 1, Math.max(0, Math.floor((offset * BOARD_PIXELS) / size)));
  return [at(event.clientX - area.left, area.width), at(event.clientY - area.top, area.height)];
}

// A touch, a pen or the mouse's left button is a left press; the right button a right press. Of
// several fingers on the board only the first presses.
canvas.addEventListener("pointerdown", (event) => {
  if (!event.isPrimary) {
    event.preventDefault();
    return;
  }
  if (event.button === 0) {
    const [x, y] = boardPixel(event);
    game.send({ event: GameEvent.PRESS, x, y });
  } else if (event.button === 2) {
    game.send({ event: GameEvent.RIGHT_PRESS });
  }
  event.preventDefault();
});
canvas.addEventListener("contextmenu", (event) => event.preventDefault());

// The board's keys, as the game names them: the arrows move the cursor, Enter or Space press where
// it stands, Escape or Backspace are a right press. A held key repeats the arrows, not the presses.
canvas.addEventListener("keydown", (event) => {
  const key = description.keys[event.key];
  if (key === undefined || event.altKey || event.ctrlKey || event.metaKey) {
    return;
  }
  canvas.classList.add("keyed");
  game.send({ event: GameEvent.KEY, key, repeated: event.repeat });
  event.preventDefault();
});

// The cursor and the focus ring show when Tab brings the focus to the board, not when a press, a
// command or the page's start does.
let tabbedLast = false;
document.addEventListener("keydown", (event) => (tabbedLast = event.key === "Tab"),
  { capture: true });
document.addEventListener("pointerdown", () => (tabbedLast = false), { capture: true });
canvas.addEventListener("focus", () => {
  canvas.classList.toggle("keyed", tabbedLast);
  if (tabbedLast) {
    game.send({ event: GameEvent.FOCUSED });
  }
});
canvas.addEventListener("pointerdown", () => canvas.classList.remove("keyed"));

// A command waits its turn; the board has the keyboard meanwhile, until the dialog opens.
function runCommand(commandId) {
  game.send({ event: GameEvent.COMMAND, command: commandId });
  canvas.focus();
}

// Where a script may close the page it closes; elsewhere the game ends here, and says so.
function quit() {
  window.close();
  /** @type {HTMLElement} */ (document.getElementById("window")).hidden = true;
  /** @type {HTMLElement} */ (document.getElementById("ended")).hidden = false;
  /** @type {HTMLElement} */ (document.getElementById("again")).focus();
}
/** @type {HTMLElement} */ (document.getElementById("again"))
  .addEventListener("click", () => window.location.reload());

dialog = new SettingsDialog(/** @type {HTMLDialogElement} */ (document.getElementById("settings")),
  description.dialog, {
    layout: (measures, room, leastTarget) => game.layout(measures, room, leastTarget),
    answer: (confirmed, checked) => {
      game.answerDialog(confirmed, checked);
      canvas.focus();
    },
    board: canvas,
  });
buildMenuBar(document.getElementById("menu-bar"), description.menu, runCommand, canvas);

// Fitted again when the window changes size, and when it moves to a screen of another density.
function fitBoardToScreen() {
  fitBoard();
  window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
    .addEventListener("change", fitBoardToScreen, { once: true });
}

document.title = description.title;
document.documentElement.style.setProperty("--interface-fonts",
  description.dialog.fonts.slice(1).map((face) => `"${face}"`).join(", ") + ", sans-serif");
window.addEventListener("resize", fitBoard);
fitBoardToScreen();
showFrame(first);
status.hidden = true;
performance.mark("board-shown");
canvas.focus();

if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register("sw.js");
}

// The page: the board's canvas, its presses, its keys and its scale, and the start. The game is
// the WebAssembly module, which paints the board's pixels and tells in words what changed; this
// only forwards events to it, shows what it painted and hands its words to a live region. The
// menu bar, the settings dialog and the sound have scripts of their own.
import createYorunami from "./yorunami.js";
import { buildMenuBar } from "./menu.js";
import { SettingsDialog } from "./settings.js";
import { beep } from "./sound.js";

// At most this many times the board's own size on the screen, however large the window.
const LARGEST_SCALE = 2;
// The keys of the board, by the number the game gives each (left, right, up, down, a press,
// a right press).
const BOARD_KEYS = {
  ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, Enter: 4, " ": 4, Escape: 5,
  Backspace: 5,
};

const canvas = document.getElementById("board");
const context = canvas.getContext("2d");
const told = document.getElementById("told");
let dialog = null;

// Until the board is shown the status line says the page is loading; a failure to start is
// reported there by loading.js, which started this module.
const status = document.getElementById("status");
const game = await createYorunami({
  onBeep: beep,
  onQuit: quit,
  onOpenSettings: (checked) => dialog.open(checked),
  onAbort: stopped,
});
const description = JSON.parse(game.UTF8ToString(game._pageDescription()));
const BOARD_PIXELS = description.boardPixels;

// What the module has painted, onto the canvas.
function showBoard() {
  const start = game._pagePixels();
  const bytes = game.HEAPU8.slice(start, start + BOARD_PIXELS * BOARD_PIXELS * 4);
  context.putImageData(new ImageData(new Uint8ClampedArray(bytes.buffer), BOARD_PIXELS), 0, 0);
}

// What the game told of the change, for a screen reader: a new line each time, so that the
// same words said twice are heard twice.
function tellWhatChanged() {
  const sentences = game.UTF8ToString(game._pageSentences());
  if (sentences !== "") {
    const line = document.createElement("span");
    line.textContent = sentences;
    told.replaceChildren(line);
  }
}

// Each call into the game leaves the board painted, and what changed told.
function play(call) {
  try {
    call();
  } catch (error) {
    stopped();
    throw error;
  }
  showBoard();
  tellWhatChanged();
}

// The module has stopped (it aborted, or a call into it failed) after the board was shown: it
// cannot go on, so the page offers to start it again. A failure before that is the start's.
function stopped() {
  if (performance.getEntriesByName("board-shown").length === 0) {
    return;
  }
  document.getElementById("status-text").textContent =
    "ゲームが止まりました。再読み込みすると、始めから遊べます。" +
    " The game has stopped. Reload the page to play again from the start.";
  document.getElementById("reload").hidden = false;
  status.hidden = false;
}

// A whole number of device pixels for each board pixel, as many as fit, so that the board stays
// crisp on any screen.
function fitBoard() {
  const ratio = window.devicePixelRatio || 1;
  const menuHeight = document.getElementById("menu-bar").offsetHeight;
  const room = Math.min(window.innerWidth - 16, window.innerHeight - menuHeight - 16);
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
    play(() => game._pageLeftPress(x, y));
  } else if (event.button === 2) {
    play(() => game._pageRightPress());
  }
  event.preventDefault();
});
canvas.addEventListener("contextmenu", (event) => event.preventDefault());

// The board's keys: the arrows move the cursor, Enter or Space press where it stands, Escape or
// Backspace are a right press. A held key repeats the arrows, not the presses.
canvas.addEventListener("keydown", (event) => {
  const key = BOARD_KEYS[event.key];
  if (key === undefined || event.altKey || event.ctrlKey || event.metaKey) {
    return;
  }
  canvas.classList.add("keyed");
  play(() => game._pageKey(key, event.repeat ? 1 : 0));
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
    play(() => game._pageBoardFocused());
  }
});
canvas.addEventListener("pointerdown", () => canvas.classList.remove("keyed"));

function runCommand(commandId) {
  play(() => game._pageMenuCommand(commandId));
  if (!dialog.isOpen()) {
    canvas.focus();
  }
}

// Where a script may close the page it closes; elsewhere the game ends here, and says so.
function quit() {
  window.close();
  document.getElementById("window").hidden = true;
  document.getElementById("ended").hidden = false;
  document.getElementById("again").focus();
}
document.getElementById("again").addEventListener("click", () => window.location.reload());

dialog = new SettingsDialog(document.getElementById("settings"), description.dialog, {
  layout: (alphabetWidth, lineHeight) => {
    const start = game._pageDialogLayout(alphabetWidth, lineHeight) >> 2;
    return game.HEAP32.slice(start, start + 2 + 4 * description.dialog.controls.length);
  },
  answer: (confirmed, checked) => {
    const start = game._pageCheckedButtons() >> 2;
    game.HEAP32.set(checked, start);
    play(() => game._pageSettingsAnswered(confirmed ? 1 : 0, checked.length));
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
play(() => game._pageStart());
status.hidden = true;
performance.mark("board-shown");
canvas.focus();

if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register("sw.js");
}

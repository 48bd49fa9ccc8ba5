// @ts-check
// The game in its worker, as the page sees it. The page's events go to the worker one at a time,
// in the order they were made, and each is answered by the frame it caused; the next goes only
// then. So the game takes them as the Windows program takes its messages while the computer
// searches inside a press: a press or a command made meanwhile waits and runs after the reply,
// none lost, merged or run twice. A command that opens the settings dialog holds those after it
// until the dialog is answered; after 終了 nothing more is sent.
import { GameEvent } from "./messages.js";

/** @typedef {import("./messages.js").Frame} Frame */

// An answer slower than this is shown as the computer thinking; a quicker one shows nothing, so
// that nothing flickers.
const THINKING_SHOWN_AFTER = 200; // ms

export class GameInWorker {
  /**
   * Starts the game in `worker` with its compiled WebAssembly.
   * @param {Worker} worker
   * @param {WebAssembly.Module} wasm
   * @param {{ frame: (frame: Frame) => void, thinking: (shown: boolean) => void,
   *   stopped: (reason: string) => void }} page what the page does with each frame, when an
   *   answer is slow, and when the game stops
   */
  constructor(worker, wasm, page) {
    this.worker = worker;
    this.page = page;
    /** @type {object[]} events made and not sent yet */
    this.waiting = [];
    /** @type {((answer: any) => void) | null} whoever waits for the worker's answer */
    this.answered = null;
    this.held = false; // while the settings dialog is open
    this.ended = false; // after 終了, or once the game has stopped
    this.stopped = false;
    this.thinkingTimer = 0;
    this.thinkingShown = false;
    /** @type {Promise<Frame>} the first frame, with the page's description */
    this.started = new Promise((resolve, reject) => {
      this.answered = resolve;
      this.failedToStart = reject;
    });
    worker.addEventListener("message", ({ data }) => this.receive(data));
    worker.postMessage({ wasm });
  }

  /** An event to play after those before it. */
  send(event) {
    if (!this.ended) {
      this.waiting.push(event);
      this.sendNext();
    }
  }

  /**
   * The settings dialog's layout, asked while it opens (the events after it are held then).
   * @returns {Promise<number[]>}
   */
  layout(measures, room, leastTarget) {
    return new Promise((resolve) => {
      this.answered = ({ layout }) => resolve(layout);
      this.worker.postMessage({ event: GameEvent.LAYOUT, measures, room, leastTarget });
    });
  }

  /** The settings dialog's answer, played before every event made while it was open. */
  answerDialog(confirmed, checked) {
    this.held = false;
    this.waiting.unshift({ event: GameEvent.ANSWER, confirmed, checked });
    this.sendNext();
  }

  sendNext() {
    if (this.answered !== null || this.held || this.ended || this.waiting.length === 0) {
      return;
    }
    this.answered = (frame) => this.show(frame);
    this.worker.postMessage(this.waiting.shift());
    this.thinkingTimer = window.setTimeout(() => {
      this.thinkingShown = true;
      this.page.thinking(true);
    }, THINKING_SHOWN_AFTER);
  }

  /** The answer has come, or none will: whatever showed the computer thinking goes. */
  noLongerThinking() {
    window.clearTimeout(this.thinkingTimer);
    if (this.thinkingShown) {
      this.thinkingShown = false;
      this.page.thinking(false);
    }
  }

  /** @param {Frame} frame */
  show(frame) {
    this.noLongerThinking();
    this.held = frame.settings !== null;
    this.ended = this.ended || frame.quit;
    if (this.ended) {
      this.waiting = [];
    }
    this.page.frame(frame);
    this.sendNext();
  }

  receive(data) {
    if (data.stopped !== undefined) {
      this.stop(data.stopped);
      return;
    }
    const answered = this.answered;
    this.answered = null;
    if (answered !== null) {
      answered(data);
    }
  }

  /** The game cannot go on (once is enough): nothing more is sent, and the page says so. */
  stop(reason) {
    if (this.stopped) {
      return;
    }
    this.stopped = this.ended = true;
    this.waiting = [];
    this.noLongerThinking();
    this.failedToStart(new Error(reason)); // before the start, the start failed
    this.page.stopped(reason);
  }
}

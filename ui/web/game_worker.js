// The game in its worker. The build appends this to the module's script, yorunami.js, which the
// page starts as a module worker, so that the worker's start is one script and nothing more. The
// page compiles the module's WebAssembly while that script loads and posts it here; from then on
// the worker plays the page's events one at a time and answers each with the frame it caused (see
// messages.js, which the build puts at the head of this script). The search runs here, so the
// page answers its player while the computer thinks.
{
  /** @type {any} the module, once it has started */
  let game = null;
  /** @type {any} the page's description, parsed */
  let description = null;
  let stopped = false;
  // What the event being played did, beside its pixels and words.
  const noEffects = () => ({ beeps: 0, settings: null, quit: false });
  let effects = noEffects();

  function stop(error) {
    if (!stopped) {
      stopped = true;
      self.postMessage({ stopped: String((error && error.message) || error) });
    }
  }

  // The frame an event caused: the board's pixels (a copy, handed over), what it told in words,
  // and what the page does for it.
  function postFrame(extra) {
    const bytes = 4 * description.boardPixels * description.boardPixels;
    const start = game._pagePixels();
    const pixels = game.HEAPU8.slice(start, start + bytes).buffer;
    const told = game.UTF8ToString(game._pageSentences());
    self.postMessage({ pixels, told, ...effects, ...extra }, [pixels]);
    effects = noEffects();
  }

  const plays = {
    [GameEvent.PRESS]: ({ x, y }) => game._pageLeftPress(x, y),
    [GameEvent.RIGHT_PRESS]: () => game._pageRightPress(),
    [GameEvent.KEY]: ({ key, repeated }) => game._pageKey(key, repeated ? 1 : 0),
    [GameEvent.FOCUSED]: () => game._pageBoardFocused(),
    [GameEvent.COMMAND]: ({ command }) => game._pageMenuCommand(command),
    [GameEvent.ANSWER]: ({ confirmed, checked }) => {
      // No more ids than the game keeps room for: one per control at most.
      const ids = checked.slice(0, description.dialog.controls.length);
      game.HEAP32.set(ids, game._pageCheckedButtons() >> 2);
      game._pageSettingsAnswered(confirmed ? 1 : 0, ids.length);
    },
  };

  // The settings dialog's layout for the fonts the page measured: the font chosen, the client
  // area's size and each control's place.
  function layout({ measures, room, leastTarget }) {
    const at = game._pageFontMeasures(measures.length) >> 2;
    game.HEAP32.set(measures.flat(), at);
    const start = game._pageDialogLayout(room, leastTarget) >> 2;
    const length = 3 + 4 * description.dialog.controls.length;
    self.postMessage({ layout: Array.from(game.HEAP32.subarray(start, start + length)) });
  }

  let compiled = null;
  const module = new Promise((resolve) => (compiled = resolve));

  self.addEventListener("message", ({ data }) => {
    if (data.wasm) {
      compiled(data.wasm);
      return;
    }
    if (stopped || game === null) {
      return;
    }
    try {
      if (data.event === GameEvent.LAYOUT) {
        layout(data);
      } else {
        plays[data.event](data);
        postFrame();
      }
    } catch (error) {
      stop(error);
    }
  });

  createYorunami({
    instantiateWasm: (imports, receive) => {
      module.then((wasm) => WebAssembly.instantiate(wasm, imports))
        .then((instance) => receive(instance)).catch(stop);
      return {};
    },
    onBeep: () => (effects.beeps += 1),
    onQuit: () => (effects.quit = true),
    onOpenSettings: (checked) => (effects.settings = checked),
    onAbort: stop,
  }).then((started) => {
    game = started;
    const text = game.UTF8ToString(game._pageDescription());
    description = JSON.parse(text);
    game._pageStart();
    postFrame({ description: text });
  }).catch(stop);
}

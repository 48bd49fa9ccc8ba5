// The settings dialog, built from the game's description of its 23 controls: the same texts,
// groups and Tab order, each control placed by the dialog-unit rule for the font the browser
// gives the dialog. It is modal; OK is the default button; Cancel, Escape and the close box answer
// that nothing changes. The game says which buttons are checked when it opens, and takes the
// checked ones back on OK. Each radio group is named by its frame, and each control's whole label
// is its target.

// Each control's whole label is its target, and each one that Tab reaches is at least this many
// CSS pixels high and wide, so that a finger or a pointer hits it (WCAG 2.5.8); the men-count
// buttons, a little lower, stand far enough apart.
const LEAST_TARGET = 24;
// The dialog's border, both sides, beside its client area.
const BORDERS = 2;

// The width of the sample (the 52 Latin letters) and the height of a line, in whole pixels, in a
// font.
function measureFont(context, font, sample) {
  context.font = font;
  const metrics = context.measureText(sample);
  const line = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
  return [
    Math.round(metrics.width),
    Math.round(Number.isFinite(line) ? line : lineOfText(font, sample)),
  ];
}

// Where the canvas cannot tell the font's ascent and descent (Firefox before 116), the height of
// a line of text in the font, which spans the same.
function lineOfText(font, sample) {
  const text = document.createElement("span");
  text.style.font = font;
  text.style.lineHeight = "normal";
  text.style.position = "absolute";
  text.style.visibility = "hidden";
  text.textContent = sample;
  document.body.append(text);
  const height = text.getBoundingClientRect().height;
  text.remove();
  return height;
}

// The dialog's font and its controls' places, on a screen `room` CSS pixels wide. The font is its
// face, else the stand-ins, at the size the game chooses from the font measured at every size from
// the dialog's own up: the least that makes every Tab stop a target, or on a screen too narrow for
// that (a phone) the largest that fits, the line its layout measures raised until every Tab stop is
// a target (so that the dialog keeps its layout in dialog units).
async function dialogFont(description, layOut, room) {
  const family = description.fonts.map((face) => `"${face}"`).join(", ") + ", sans-serif";
  const context = document.createElement("canvas").getContext("2d");
  const smallest = Math.round((description.points * 4) / 3);
  const measures = [];
  for (let size = smallest; size <= 3 * LEAST_TARGET; size += 1) {
    measures.push(measureFont(context, `${size}px ${family}`, description.sample));
  }
  const [chosen, ...layout] = await layOut(measures, room - BORDERS, LEAST_TARGET);
  return { family, size: smallest + chosen, layout };
}

export class SettingsDialog {
  // game: layout(measures, room, leastTarget) promises the font chosen of those measured, the
  // dialog's size and each control's place in pixels; answer(confirmed, checkedIds) ends it; board
  // is where the focus returns.
  constructor(element, description, game) {
    this.element = element;
    this.description = description;
    this.game = game;
    this.buttons = new Map(); // id: the input or button
    this.groups = new Map(); // radio id: its group's number
    element.setAttribute("aria-labelledby", "settings-caption");
    this.build();
    element.addEventListener("cancel", (event) => {
      event.preventDefault(); // Escape: the dialog's own Cancel
      this.end(false);
    });
    element.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && event.target.tagName !== "BUTTON") {
        event.preventDefault(); // the default button's
        this.end(true);
      } else if (event.key === "Tab") {
        event.preventDefault(); // round the Tab stops, as a dialog does
        const stops = [...this.client.querySelectorAll("[tabindex='0']")];
        const at = stops.indexOf(document.activeElement);
        stops[(at + (event.shiftKey ? -1 : 1) + stops.length) % stops.length].focus();
      } else if (event.key.startsWith("Arrow") && event.target.type === "radio") {
        event.preventDefault(); // the next or the last radio button of the group, checked
        const id = Number(event.target.closest("[data-id]").dataset.id);
        const group = [...this.groups].filter(([, g]) => g === this.groups.get(id));
        const by = event.key === "ArrowDown" || event.key === "ArrowRight" ? 1 : -1;
        const at = group.findIndex(([other]) => other === id);
        const [next] = group[(at + by + group.length) % group.length];
        this.buttons.get(next).focus();
        this.buttons.get(next).checked = true;
        this.checkAlone(next);
      }
    });
  }

  build() {
    const caption = document.createElement("div");
    caption.className = "caption";
    const title = document.createElement("span");
    title.id = "settings-caption";
    title.textContent = this.description.caption;
    const closeBox = document.createElement("button");
    closeBox.type = "button";
    closeBox.className = "close-box";
    closeBox.textContent = "×";
    closeBox.setAttribute("aria-label", "閉じる");
    closeBox.tabIndex = -1;
    closeBox.addEventListener("click", () => this.end(false));
    caption.append(title, closeBox);

    this.client = document.createElement("div");
    this.client.className = "client";
    const controls = this.description.controls;
    let group = 0;
    this.placed = controls.map((control, index) => {
      if (control.kind === "radio" && control.group) {
        group += 1;
      }
      const element = this.makeControl(control, group);
      element.dataset.id = control.kind === "frame" ? `frame${index}` : control.id;
      if (control.kind === "frame") {
        element.querySelector(".legend").id = `legend${index}`;
      }
      if (control.frame >= 0 && control.kind === "radio") {
        // In the radio group its frame names, with its place in the group.
        const siblings = controls.filter((other) => other.frame === control.frame);
        const input = element.querySelector("input");
        input.setAttribute("aria-posinset", String(siblings.indexOf(control) + 1));
        input.setAttribute("aria-setsize", String(siblings.length));
        this.radioGroup(control.frame).append(element);
      } else {
        this.client.append(element);
      }
      return element;
    });
    this.element.append(caption, this.client);
  }

  // The font and every control's place, for the screen as it is when the dialog opens.
  async place() {
    const font = await dialogFont(this.description, this.game.layout, window.innerWidth);
    this.element.style.fontFamily = font.family;
    this.element.style.fontSize = `${font.size}px`;
    this.client.style.width = `${font.layout[0]}px`;
    this.client.style.height = `${font.layout[1]}px`;
    this.placed.forEach((element, index) => {
      const [x, y, width, height] = font.layout.slice(2 + 4 * index, 6 + 4 * index);
      Object.assign(element.style, {
        left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px`,
      });
    });
  }

  // The element of the radio group its frame names, made where its first button stands in the
  // Tab order; its buttons keep their places in the client area.
  radioGroup(frame) {
    let group = this.client.querySelector(`[aria-labelledby="legend${frame}"]`);
    if (group === null) {
      group = document.createElement("div");
      group.className = "radio-group";
      group.setAttribute("role", "radiogroup");
      group.setAttribute("aria-labelledby", `legend${frame}`);
      this.client.append(group);
    }
    return group;
  }

  // In template order, which is also the Tab order; the frames stand behind the buttons.
  makeControl(control, group) {
    if (control.kind === "frame") {
      // Drawn only: its title is read as its radio group's name.
      const frame = document.createElement("div");
      frame.className = "frame";
      frame.setAttribute("aria-hidden", "true");
      const legend = document.createElement("span");
      legend.className = "legend";
      legend.textContent = control.text;
      frame.append(legend);
      return frame;
    }
    if (control.kind === "default" || control.kind === "button") {
      const button = document.createElement("button");
      button.type = "button";
      button.className = control.kind === "default" ? "push default" : "push";
      button.textContent = control.text;
      button.tabIndex = control.tab ? 0 : -1;
      button.addEventListener("click", () => this.end(control.id === this.description.ok));
      this.buttons.set(control.id, button);
      return button;
    }
    // A check box or an auto radio button: each radio button with a Tab stop is one, so each has a
    // name of its own, and a click clears the others of its group.
    const label = document.createElement("label");
    label.className = "choice";
    const input = document.createElement("input");
    input.type = control.kind === "radio" ? "radio" : "checkbox";
    input.name = `control-${control.id}`;
    input.tabIndex = control.tab ? 0 : -1;
    const text = document.createElement("span");
    text.textContent = control.text;
    label.append(input, text);
    if (control.kind === "radio") {
      this.groups.set(control.id, group);
      input.addEventListener("change", () => this.checkAlone(control.id));
    }
    this.buttons.set(control.id, input);
    return label;
  }

  checkAlone(id) {
    for (const [other, group] of this.groups) {
      if (group === this.groups.get(id)) {
        this.buttons.get(other).checked = other === id;
      }
    }
  }

  isOpen() {
    return this.element.open;
  }

  // Over the board's top-left corner, as the desktop dialog opens at the corner of the window's
  // client area, moved in as far as it must to fit the screen; with the buttons the game names
  // checked and every other one clear. Its layout comes from the game, so it opens a moment later.
  async open(checked) {
    for (const [id, button] of this.buttons) {
      if (button.tagName === "INPUT") {
        button.checked = checked.includes(id);
      }
    }
    await this.place();
    const corner = this.game.board.getBoundingClientRect();
    this.element.showModal();
    const size = this.element.getBoundingClientRect();
    const within = (start, extent, room) => Math.max(0, Math.min(start, room - extent));
    this.element.style.left = `${within(corner.left, size.width, window.innerWidth)}px`;
    this.element.style.top = `${within(corner.top, size.height, window.innerHeight)}px`;
    this.element.querySelector("[tabindex='0']").focus();
  }

  end(confirmed) {
    if (!this.element.open) {
      return;
    }
    const checked = [...this.buttons]
      .filter(([, button]) => button.tagName === "INPUT" && button.checked)
      .map(([id]) => id);
    this.element.close();
    this.game.answer(confirmed, confirmed ? checked : []);
  }
}

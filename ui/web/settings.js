// The settings dialog, built from the game's description of its 23 controls: the same texts,
// groups and Tab order, each control placed by the dialog-unit rule for the font the browser
// gives the dialog. It is modal; OK is the default button; Cancel, Escape and the close box answer
// that nothing changes. The game says which buttons are checked when it opens, and takes the
// checked ones back on OK.

const ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The width of the 52 Latin letters and the height of a line, in whole pixels, in a font.
function measureFont(font) {
  const context = document.createElement("canvas").getContext("2d");
  context.font = font;
  const metrics = context.measureText(ALPHABET);
  const line = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
  return [Math.round(metrics.width), Math.round(Number.isFinite(line) ? line : lineOfText(font))];
}

// Where the canvas cannot tell the font's ascent and descent (Firefox before 116), the height of
// a line of text in the font, which spans the same.
function lineOfText(font) {
  const sample = document.createElement("span");
  sample.style.font = font;
  sample.style.lineHeight = "normal";
  sample.style.position = "absolute";
  sample.style.visibility = "hidden";
  sample.textContent = ALPHABET;
  document.body.append(sample);
  const height = sample.getBoundingClientRect().height;
  sample.remove();
  return height;
}

export class SettingsDialog {
  // game: layout(alphabetWidth, lineHeight) gives the dialog's size and each control's place in
  // pixels; answer(confirmed, checkedIds) ends it; board is where the focus returns.
  constructor(element, description, game) {
    this.element = element;
    this.description = description;
    this.game = game;
    this.buttons = new Map(); // id: the input or button
    this.groups = new Map(); // radio id: its group's number
    element.setAttribute("aria-labelledby", "settings-caption");
    element.style.fontFamily = `"${description.font}", ${getComputedStyle(element).fontFamily}`;
    element.style.fontSize = `${description.points}pt`;
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
    const style = getComputedStyle(this.element);
    const [alphabetWidth, lineHeight] = measureFont(`${style.fontSize} ${style.fontFamily}`);
    const layout = this.game.layout(alphabetWidth, lineHeight);
    this.client.style.width = `${layout[0]}px`;
    this.client.style.height = `${layout[1]}px`;
    let group = 0;
    this.description.controls.forEach((control, index) => {
      if (control.kind === "radio" && control.group) {
        group += 1;
      }
      const element = this.makeControl(control, group);
      element.dataset.id = control.kind === "frame" ? `frame${index}` : control.id;
      const [x, y, width, height] = layout.slice(2 + 4 * index, 6 + 4 * index);
      Object.assign(element.style, {
        left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px`,
      });
      this.client.append(element);
    });
    this.element.append(caption, this.client);
  }

  // In template order, which is also the Tab order; the frames stand behind the buttons.
  makeControl(control, group) {
    if (control.kind === "frame") {
      const frame = document.createElement("div");
      frame.className = "frame";
      frame.setAttribute("role", "group");
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
  // client area, with the buttons the game names checked and every other one clear.
  open(checked) {
    for (const [id, button] of this.buttons) {
      if (button.tagName === "INPUT") {
        button.checked = checked.includes(id);
      }
    }
    const corner = this.game.board.getBoundingClientRect();
    this.element.style.left = `${corner.left}px`;
    this.element.style.top = `${corner.top}px`;
    this.element.showModal();
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

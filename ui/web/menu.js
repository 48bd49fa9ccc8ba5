// The menu bar, built from the game's description of its menus: the mouse opens a menu and picks
// an item; the keyboard moves with the arrows, Home and End, picks with Enter or Space and backs
// out with Escape; F10 goes to the menu bar, as on the desktop. The bar is one Tab stop: the title
// last reached.

export function buildMenuBar(container, menus, runCommand, board) {
  const bar = document.createElement("ul");
  bar.setAttribute("role", "menubar");
  bar.setAttribute("aria-label", "メニュー");
  const titles = [];
  const popups = [];

  const itemsOf = (index) => [...popups[index].querySelectorAll("[role=menuitem]")];
  const openIndex = () => popups.findIndex((popup) => !popup.hidden);

  function close() {
    popups.forEach((popup, index) => {
      popup.hidden = true;
      titles[index].setAttribute("aria-expanded", "false");
    });
  }

  function open(index, focusFirst) {
    close();
    popups[index].hidden = false;
    titles[index].setAttribute("aria-expanded", "true");
    (focusFirst ? itemsOf(index)[0] : titles[index]).focus();
  }

  function pick(commandId) {
    close();
    runCommand(commandId);
  }

  // A list entry holding a button in the menu item's role.
  function menuItem(text, tabIndex) {
    const entry = document.createElement("li");
    entry.setAttribute("role", "none");
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = text;
    button.setAttribute("role", "menuitem");
    button.tabIndex = tabIndex;
    entry.append(button);
    return [entry, button];
  }

  menus.forEach((menu, index) => {
    const [entry, title] = menuItem(menu.title, index === 0 ? 0 : -1);
    title.setAttribute("aria-haspopup", "menu");
    title.setAttribute("aria-expanded", "false");
    const popup = document.createElement("ul");
    popup.setAttribute("role", "menu");
    popup.setAttribute("aria-label", menu.title);
    popup.hidden = true;
    for (const item of menu.items) {
      const [line, button] = menuItem(item.text, -1);
      button.addEventListener("click", () => pick(item.command));
      popup.append(line);
    }
    title.addEventListener("click", () => (popup.hidden ? open(index, false) : close()));
    title.addEventListener("focus", () => {
      titles.forEach((other) => (other.tabIndex = other === title ? 0 : -1));
    });
    // With a menu open, the mouse moving onto another title opens that menu; a touch does not
    // hover, and its compatibility hover before the tap's click would undo what the tap asked.
    title.addEventListener("pointerenter", (event) => {
      if (event.pointerType === "mouse" && openIndex() >= 0 && openIndex() !== index) {
        open(index, false);
      }
    });
    entry.append(title, popup);
    bar.append(entry);
    titles.push(title);
    popups.push(popup);
  });
  container.append(bar);

  const step = (list, at, by) => list[(at + by + list.length) % list.length];

  bar.addEventListener("keydown", (event) => {
    const onTitle = titles.indexOf(event.target);
    const menuIndex = onTitle >= 0 ? onTitle : openIndex();
    const items = menuIndex >= 0 ? itemsOf(menuIndex) : [];
    const onItem = items.indexOf(event.target);
    switch (event.key) {
      case "ArrowRight":
      case "ArrowLeft": {
        const next = (menuIndex + (event.key === "ArrowRight" ? 1 : -1) + titles.length) %
          titles.length;
        if (onItem >= 0) {
          open(next, true);
        } else {
          close();
          titles[next].focus();
        }
        break;
      }
      case "ArrowDown":
      case "ArrowUp":
        if (onTitle >= 0) {
          open(onTitle, true);
        } else if (onItem >= 0) {
          step(items, onItem, event.key === "ArrowDown" ? 1 : -1).focus();
        }
        break;
      case "Home":
      case "End": {
        const ends = onItem >= 0 ? items : titles;
        if (onItem < 0) {
          close();
        }
        ends[event.key === "Home" ? 0 : ends.length - 1].focus();
        break;
      }
      case "Enter":
      case " ":
        if (onTitle >= 0) {
          open(onTitle, true);
        } else {
          return; // the item's own click
        }
        break;
      case "Escape":
        if (onItem >= 0) {
          close();
          titles[menuIndex].focus();
        } else {
          close();
          board.focus();
        }
        break;
      case "Tab":
        close();
        return;
      default:
        return;
    }
    event.preventDefault();
  });

  // A press anywhere else closes an open menu and does nothing more, as a desktop menu swallows
  // the click that closes it.
  window.addEventListener("pointerdown", (event) => {
    if (openIndex() >= 0 && !bar.contains(event.target)) {
      close();
      event.stopPropagation();
      event.preventDefault();
    }
  }, { capture: true });

  // F10 goes to the menu bar's first menu, where the browser lets the page have the key.
  document.addEventListener("keydown", (event) => {
    if (event.key === "F10" && document.querySelector("dialog[open]") === null) {
      close();
      titles[0].focus();
      event.preventDefault();
    }
  });
}

// The page's start, watched by a plain script that runs in any browser, old ones too (so it is
// written without modules or newer syntax). It starts the game's module where the browser can run
// it, and otherwise, or when the start fails, says why and what to do, in the status line, which
// a screen reader reads out: opened from the disk, a browser without what the game needs, a file
// of the game that does not load, an error while starting, or nothing shown after a long wait.
(function () {
  "use strict";
  var LONGEST_WAIT = 20000; // ms; the page is small, even on a slow phone network
  var status = document.getElementById("status");
  var statusText = document.getElementById("status-text");
  var reload = document.getElementById("reload");
  var failed = false; // a failure has been said

  function boardShown() {
    return performance.getEntriesByName("board-shown").length > 0;
  }

  function say(japanese, english, offerReload) {
    statusText.textContent = japanese + " " + english;
    reload.hidden = !offerReload;
    status.hidden = false;
  }

  reload.addEventListener("click", function () {
    window.location.reload();
  });

  if (window.location.protocol === "file:") {
    say("このページはウェブサーバーから開いてください（file:// では動きません）。",
        "Open this page from a web server: it does not work from file://.", false);
    return;
  }

  var missing = [];
  if (typeof WebAssembly !== "object") {
    missing.push("WebAssembly");
  }
  if (typeof HTMLDialogElement !== "function") {
    missing.push("<dialog>");
  }
  if (!("noModule" in HTMLScriptElement.prototype)) {
    missing.push("JavaScript modules");
  }
  if (missing.length > 0) {
    say("このブラウザーでは遊べません（" + missing.join("、") + " がありません）。" +
        "新しいブラウザーで開いてください。",
        "This browser cannot run the game: it lacks " + missing.join(", ") + ". " +
        "Open the page in an up-to-date browser.", false);
    return;
  }

  function fileMissing(file) {
    say("ゲームのファイル（" + file + "）を読み込めませんでした。再読み込みしてください。" +
        "ページを置いた人は、すべてのファイルがサーバーにあるか確かめてください。",
        "A file of the game (" + file + ") could not be loaded. Reload the page; whoever " +
        "hosts it: check that every file is on the server, scripts served as JavaScript.", true);
  }

  // Until the board is shown, an error is the start's: the game cannot go on.
  function startFailed(error) {
    if (boardShown() || failed) {
      return;
    }
    failed = true;
    var reason = String(error && error.message ? error.message : error);
    if (/wasm/i.test(reason)) {
      fileMissing("yorunami.wasm");
      return;
    }
    say("ゲームを始められませんでした（" + reason + "）。再読み込みしてください。",
        "The game could not start (" + reason + "). Reload the page.", true);
  }
  window.addEventListener("error", function (event) {
    startFailed(event.error || event.message);
  });
  window.addEventListener("unhandledrejection", function (event) {
    startFailed(event.reason);
  });

  // The module, or one it imports, missing or not served as a script.
  var game = document.createElement("script");
  game.type = "module";
  game.src = "page.js";
  game.addEventListener("error", function () {
    if (!failed) {
      failed = true;
      fileMissing("page.js / menu.js / settings.js / sound.js / yorunami.js");
    }
  });
  document.head.appendChild(game);

  window.setTimeout(function () {
    if (!boardShown() && !failed) {
      say("ゲームがまだ表示されません。ネットワークを確かめて、再読み込みしてください。",
          "The game has not appeared yet. Check the network connection, then reload the page.",
          true);
    }
  }, LONGEST_WAIT);
})();

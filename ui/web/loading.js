// The page's start, watched by a plain script that runs in any browser, old ones too (so it is
// written without modules or newer syntax). Where the browser can run the game it starts the game's
// worker and the page's module together, so that the worker's script comes while the module's
// imports do, and hands the worker to the module when it asks. Otherwise, or when the start fails,
// it says why and what to do, in the status line, which a screen reader reads out: opened from the
// disk, a browser without what the game needs, a file of the game that does not load, an error
// while starting, or nothing shown after a long wait.
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

  function cannotRun(lacking) {
    say("このブラウザーでは遊べません（" + lacking.join("、") + " がありません）。" +
        "新しいブラウザーで開いてください。",
        "This browser cannot run the game: it lacks " + lacking.join(", ") + ". " +
        "Open the page in an up-to-date browser.", false);
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
  if (typeof Worker !== "function") {
    missing.push("Web Workers");
  }
  if (missing.length > 0) {
    cannotRun(missing);
    return;
  }

  // The game's worker: one script, yorunami.js, run as a module. A browser that cannot run a worker
  // as a module never reads the type it is asked for (and would run it as a plain script).
  var asModule = false;
  var worker;
  try {
    worker = new Worker("yorunami.js", {
      get type() {
        asModule = true;
        return "module";
      }
    });
  } catch (error) {
    startFailed(error);
    return;
  }
  if (!asModule) {
    worker.terminate();
    cannotRun(["module workers"]);
    return;
  }

  // `why` as far as the browser tells it, or nothing.
  function fileMissing(file, why) {
    var because = why ? "（" + why + "）" : "";
    say("ゲームのファイル（" + file + "）を読み込めませんでした" + because + "。" +
        "再読み込みしてください。ページを置いた人は、すべてのファイルがサーバーにあるか確かめてください。",
        "A file of the game (" + file + ") could not be loaded" + (why ? " (" + why + ")" : "") +
        ". Reload the page; whoever hosts it: check that every file is on the server, scripts " +
        "served as JavaScript.", true);
  }

  // Until the board is shown, an error is the start's: the game cannot go on. The page's module
  // marks an error that names a file of the game that did not load.
  function startFailed(error) {
    if (boardShown() || failed) {
      return;
    }
    failed = true;
    if (error && error.file) {
      fileMissing(error.file, error.message);
    } else {
      var reason = String(error && error.message ? error.message : error);
      say("ゲームを始められませんでした（" + reason + "）。再読み込みしてください。",
          "The game could not start (" + reason + "). Reload the page.", true);
    }
  }
  window.addEventListener("error", function (event) {
    startFailed(event.error || event.message);
  });
  window.addEventListener("unhandledrejection", function (event) {
    startFailed(event.reason);
  });

  // The worker's script that does not start gives the worker a bare error, which tells nothing and
  // reaches no window: the script itself tells whether it is missing, not served as JavaScript, or
  // failed as it ran.
  worker.addEventListener("error", function (event) {
    if (boardShown() || failed) {
      return;
    }
    var message = event.message;
    fetch("yorunami.js", { cache: "no-store" }).then(function (response) {
      var type = response.headers.get("Content-Type") || "";
      if (!response.ok) {
        startFailed({ file: "yorunami.js", message: "HTTP " + response.status });
      } else if (!/javascript/i.test(type)) {
        startFailed({ file: "yorunami.js", message: type || "no type" });
      } else {
        startFailed(message || "the game's worker did not start");
      }
    }, function (error) {
      startFailed({ file: "yorunami.js", message: String(error) });
    });
  });
  // The page's module asks for the worker, once, as it starts.
  document.addEventListener("game-worker-wanted", function (event) {
    event.detail(worker);
  });

  // The page's module, or one it imports, missing or not served as a script.
  var game = document.createElement("script");
  game.type = "module";
  game.src = "page.js";
  game.addEventListener("error", function () {
    startFailed({ file: "page.js or a script it imports", message: "" });
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

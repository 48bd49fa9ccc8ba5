// Runs yorunami-cli's bench in the page once asked to, so that the browser has settled after its
// own start: runBench(times) runs it that many times in a row, the first with the module freshly
// compiled and the others with it warm. The lines go into #output; the page's title becomes
// "ready" when the module is loaded and "done" when the last bench has ended.
var Module = {
  noInitialRun: true,
  noExitRuntime: true, // the program may run again
  print: (line) => { document.getElementById("output").textContent += line + "\n"; },
  printErr: (line) => { document.getElementById("output").textContent += line + "\n"; },
  onRuntimeInitialized: () => { document.title = "ready"; },
};

function runBench(times) {
  setTimeout(() => {
    for (let run = 0; run < times; ++run) {
      Module.callMain(["bench"]);
    }
    document.title = "done";
  }, 0);
}

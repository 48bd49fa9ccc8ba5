// Opened from the disk, the page's module is refused by the browser, so the game cannot start:
// say how to open it instead. (A plain script: it runs where the module cannot.)
if (window.location.protocol === "file:") {
  document.getElementById("status").textContent =
    "このページはウェブサーバーから開いてください（file:// では動きません）。" +
    " Open this page from a web server: it does not work from file://.";
}

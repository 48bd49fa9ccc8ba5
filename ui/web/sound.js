// The beep of a rejected press: a short tone through Web Audio. Browsers let a page make sound
// only after a person's gesture, and not every event counts as one: a touch grants it only when
// it ends, a key when it goes down. So every such event wakes the sound, and the first rejected
// tap on a phone, made on the touch's start, is heard when the touch ends.
let audio = null;

function wakeSound() {
  if (audio === null && window.AudioContext) {
    audio = new AudioContext();
  }
  // WebKit leaves the sound "interrupted" after a call, others "suspended" until a gesture.
  if (audio !== null && audio.state !== "running") {
    audio.resume().catch(() => null);
  }
}
for (const gesture of ["pointerdown", "pointerup", "touchend", "keydown"]) {
  document.addEventListener(gesture, wakeSound, { capture: true, passive: true });
}

export function beep() {
  wakeSound();
  if (audio === null) {
    return;
  }
  const tone = audio.createOscillator();
  const volume = audio.createGain();
  const now = audio.currentTime;
  tone.frequency.value = 880;
  volume.gain.setValueAtTime(0.2, now);
  volume.gain.exponentialRampToValueAtTime(0.001, now + 0.12);
  tone.connect(volume).connect(audio.destination);
  tone.start(now);
  tone.stop(now + 0.12);
}

// The beep of a rejected press: a short tone through Web Audio. Browsers let a page make sound
// only after a person's gesture, so every press wakes the sound first.
let audio = null;

export function wakeSound() {
  if (audio === null && window.AudioContext) {
    audio = new AudioContext();
  }
  if (audio !== null && audio.state === "suspended") {
    audio.resume();
  }
}

export function beep() {
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

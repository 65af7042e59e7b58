// The page's one WebSocket to the host: frames in and out as objects, and a way back after a
// reload or a sleep with the secret the host gave (kept for this tab only).
const key = 'taisen.secret';
const nameKey = 'taisen.name';

export class Connection {
  constructor(onFrame, onStatus) {
    this.onFrame = onFrame;
    this.onStatus = onStatus;
    this.socket = null;
    this.name = null;
  }

  get returning() { return sessionStorage.getItem(key) !== null; }
  get savedName() { return sessionStorage.getItem(nameKey) || ''; }

  join(name) {
    this.name = name;
    sessionStorage.setItem(nameKey, name);
    this.open();
  }

  open() {
    this.socket = new WebSocket(`ws://${location.host}/ws`);
    this.socket.onopen = () => {
      const secret = sessionStorage.getItem(key);
      this.send(secret ? { t: 'join', name: this.name, secret } : { t: 'join', name: this.name });
    };
    this.socket.onmessage = event => {
      let frame;
      try { frame = JSON.parse(event.data); } catch { return; }
      if (frame.t === 'joined') sessionStorage.setItem(key, frame.secret);
      this.onFrame(frame);
    };
    this.socket.onclose = () => {
      this.onStatus('lost');
      setTimeout(() => this.open(), 2000);
    };
  }

  send(frame) {
    if (this.socket?.readyState === WebSocket.OPEN) this.socket.send(JSON.stringify(frame));
  }
}

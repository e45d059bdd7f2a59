// Sound through Web Audio: a WAV file from the program's memory; without a
// sound device nothing plays.
Quorvel.audio = {
  play: function (pointer, length) {
    try {
      var bytes = HEAPU8.slice(pointer, pointer + length);
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context)
        return;
      var context = Quorvel.audio.context || (Quorvel.audio.context = new Context());
      context.decodeAudioData(bytes.buffer).then(function (sound) {
        var source = context.createBufferSource();
        source.buffer = sound;
        source.connect(context.destination);
        source.start();
      }).catch(function () {});
    } catch (e) {
      // no sound device: nothing plays
    }
  },
};

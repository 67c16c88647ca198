// The program has no Vorbis decoder in the browser, but the browser has one. Once the data
// package is in and before the page lets the program start, each tune it brought
// (data/music/NAME.ogg) is decoded by the browser at 22050 Hz and written beside it as a
// 16-bit mono WAV (NAME.wav), which the program loads when the Ogg is refused. A browser
// that cannot decode a tune leaves it out: the game plays on without that music.
(function () {
  var MUSIC_FOLDER = '/zandrel/data/music';
  var MUSIC_RATE = 22050;

  function wavOf(samples, rate) {
    var bytes = new ArrayBuffer(44 + 2 * samples.length);
    var view = new DataView(bytes);
    var text = function (at, word) {
      for (var i = 0; i < 4; ++i) view.setUint8(at + i, word.charCodeAt(i));
    };
    text(0, 'RIFF');
    view.setUint32(4, 36 + 2 * samples.length, true);
    text(8, 'WAVE');
    text(12, 'fmt ');
    view.setUint32(16, 16, true);
    view.setUint16(20, 1, true);  // PCM
    view.setUint16(22, 1, true);  // mono
    view.setUint32(24, rate, true);
    view.setUint32(28, 2 * rate, true);
    view.setUint16(32, 2, true);
    view.setUint16(34, 16, true);
    text(36, 'data');
    view.setUint32(40, 2 * samples.length, true);
    for (var i = 0; i < samples.length; ++i) {
      var s = Math.max(-1, Math.min(1, samples[i]));
      view.setInt16(44 + 2 * i, Math.round(s * 32767), true);
    }
    return new Uint8Array(bytes);
  }

  function decodeTune(name) {
    var ogg = FS.readFile(MUSIC_FOLDER + '/' + name);
    var context = new OfflineAudioContext(1, 1, MUSIC_RATE);
    // decodeAudioData takes the buffer over, so it gets a copy of just the file's bytes.
    return context.decodeAudioData(ogg.slice().buffer).then(function (decoded) {
      var wav = wavOf(decoded.getChannelData(0), decoded.sampleRate);
      FS.writeFile(MUSIC_FOLDER + '/' + name.replace(/\.ogg$/, '.wav'), wav);
    }, function (error) {
      console.warn('music: the browser cannot decode ' + name + ': ' + error);
    });
  }

  function decodeAllTunes() {
    var names = [];
    try {
      names = FS.readdir(MUSIC_FOLDER).filter(function (name) { return /\.ogg$/.test(name); });
    } catch (e) {
      return Promise.resolve();  // a package without music
    }
    if (typeof OfflineAudioContext === 'undefined') return Promise.resolve();
    return Promise.all(names.map(decodeTune));
  }

  var whenReady = Module['onRuntimeInitialized'];
  Module['onRuntimeInitialized'] = function () {
    decodeAllTunes().then(function () {
      if (whenReady) whenReady();
    });
  };
})();

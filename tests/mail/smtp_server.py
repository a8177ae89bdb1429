"""A loopback SMTP server for the mail tests, on aiosmtpd.

Usage: smtp_server.py OUT_DIR CERT KEY OTHER_CERT OTHER_KEY

Opens one listener per behaviour on free loopback ports, writes their ports to
OUT_DIR/ports.json once all listen, and records every accepted message as
OUT_DIR/<listener>-<n>.eml (the content as received) and OUT_DIR/<listener>-<n>.txt
(lines "from=", "rcpt=" for each recipient, "login=", "tls=" 1 when the message
came over TLS, "login_tls=" 1 when the login was made over TLS; written last).
What a listener receives in the clear (before any TLS) is appended to
OUT_DIR/<listener>.wire. Runs until it is killed.

Listeners:
- plain, plain_auth (AUTH offered in the clear and required: MAIL without a
  login gets "530 5.7.0 Authentication required"), tls, tls_auth (implicit TLS
  from the first byte);
- refuse (every recipient refused with 550), tempfail (every recipient put off
  with 451), refuse_data (the DATA command refused with 554), reject (the
  message refused with 554 once it is in), drop (the line is closed once the
  message is in, before the server answers it);
- starttls (STARTTLS offered with CERT; AUTH only after it, not required),
  starttls_untrusted (the same with OTHER_CERT, which the tests do not trust);
- echo_auth (implicit TLS; refuses every login with a reply that repeats the
  user name, the password and the Base64 of AUTH PLAIN);
- silent (takes the connection and never says a word).
The only accepted login is vorda / titok.
"""
import asyncio
import base64
import json
import logging
import os
import ssl
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult

logging.disable(logging.CRITICAL)
warnings.filterwarnings("ignore")  # AUTH without TLS is what the plain listeners test
OUT_DIR, CERT, KEY, OTHER_CERT, OTHER_KEY = sys.argv[1:6]
USER, PASSWORD = b"vorda", b"titok"


class Recorder:
    def __init__(self, name, implicit_tls=False, refuse=None, reject=False, drop=False, echo=False):
        self.name, self.implicit_tls, self.refuse, self.reject, self.drop = name, implicit_tls, refuse, reject, drop
        self.echo, self.count = echo, 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.refuse:
            return self.refuse
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.drop:
            server.transport.close()
            return "250 never seen"
        if self.reject:
            return "554 5.7.1 Message rejected: looks like spam"
        self.count += 1
        base = os.path.join(OUT_DIR, f"{self.name}-{self.count}")
        with open(base + ".eml", "wb") as f:
            f.write(envelope.content)
        login = session.auth_data if session.authenticated else ""
        tls = self.implicit_tls or session.ssl is not None
        meta = [f"from={envelope.mail_from}"] + [f"rcpt={r}" for r in envelope.rcpt_tos] + [
            f"login={login}", f"tls={int(tls)}", f"login_tls={int(getattr(session, 'login_tls', False))}"]
        with open(base + ".tmp", "w") as f:
            f.write("\n".join(meta) + "\n")
        os.rename(base + ".tmp", base + ".txt")
        return "250 Message accepted"


class Server(SMTP):
    """aiosmtpd's server, keeping what arrives in the clear and refusing DATA when asked."""

    def __init__(self, handler, refuse_data=False, **kwargs):
        super().__init__(handler, **kwargs)
        self.recorder, self.refuse_data = handler, refuse_data

    def data_received(self, data):
        if not self.recorder.implicit_tls and self._tls_protocol is None:
            with open(os.path.join(OUT_DIR, self.recorder.name + ".wire"), "ab") as f:
                f.write(data)
        super().data_received(data)

    async def smtp_DATA(self, arg):
        if self.refuse_data:
            await self.push("554 5.5.1 Error: no valid recipients")
            return
        await super().smtp_DATA(arg)


class Silent(asyncio.Protocol):
    def connection_made(self, transport):
        self.transport = transport  # kept open, never answered


def authenticate(server, session, envelope, mechanism, auth_data):
    if server.recorder.echo:
        plain = base64.b64encode(b"\0" + auth_data.login + b"\0" + auth_data.password).decode()
        said = f"535 5.7.8 Bad login {auth_data.login.decode()}/{auth_data.password.decode()} {plain}"
        return AuthResult(success=False, handled=False, message=said)
    if auth_data.login == USER and auth_data.password == PASSWORD:
        session.login_tls = server.recorder.implicit_tls or session.ssl is not None
        return AuthResult(success=True, auth_data=auth_data.login.decode())
    return AuthResult(success=False, handled=False)


def context(cert, key):
    c = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    c.load_cert_chain(cert, key)
    return c


async def main():
    loop = asyncio.get_running_loop()
    trusted, untrusted = context(CERT, KEY), context(OTHER_CERT, OTHER_KEY)
    # name: (recorder, implicit TLS context, server options)
    listeners = {
        "plain": (Recorder("plain"), None, {}),
        "plain_auth": (Recorder("plain_auth"), None, {"auth_required": True}),
        "tls": (Recorder("tls", implicit_tls=True), trusted, {}),
        "tls_auth": (Recorder("tls_auth", implicit_tls=True), trusted, {"auth_required": True}),
        "refuse": (Recorder("refuse", refuse="550 5.1.1 No such user here"), None, {}),
        "tempfail": (Recorder("tempfail", refuse="451 4.3.0 Mailbox busy, try again later"), None, {}),
        "refuse_data": (Recorder("refuse_data"), None, {"refuse_data": True}),
        "reject": (Recorder("reject", reject=True), None, {}),
        "drop": (Recorder("drop", drop=True), None, {}),
        "starttls": (Recorder("starttls"), None, {"tls_context": trusted, "auth_require_tls": True}),
        "starttls_untrusted": (Recorder("starttls_untrusted"), None,
                               {"tls_context": untrusted, "auth_require_tls": True}),
        "echo_auth": (Recorder("echo_auth", implicit_tls=True, echo=True), trusted, {"auth_required": True}),
    }
    ports = {}
    servers = []
    for name, (handler, implicit, options) in listeners.items():
        def factory(handler=handler, options=options):
            options = {"auth_require_tls": False, **options}
            return Server(handler, hostname="vorda-test", authenticator=authenticate, loop=loop, **options)
        server = await loop.create_server(factory, "127.0.0.1", 0, ssl=implicit)
        servers.append(server)
        ports[name] = server.sockets[0].getsockname()[1]
    silent = await loop.create_server(Silent, "127.0.0.1", 0)
    servers.append(silent)
    ports["silent"] = silent.sockets[0].getsockname()[1]
    path = os.path.join(OUT_DIR, "ports.json")
    with open(path + ".tmp", "w") as f:
        json.dump(ports, f)
    os.rename(path + ".tmp", path)
    await asyncio.Event().wait()


asyncio.run(main())

"""A loopback SMTP server for the mail tests, on aiosmtpd.

Usage: smtp_server.py OUT_DIR CERT KEY

Opens one listener per behaviour on free loopback ports, writes their ports to
OUT_DIR/ports.json once all listen, and records every accepted message as
OUT_DIR/<listener>-<n>.eml (the content as received) and OUT_DIR/<listener>-<n>.txt
(lines "from=", "rcpt=" for each recipient, "login=", written last). Runs until
it is killed.

Listeners: plain, plain_auth (AUTH required), tls, tls_auth (implicit TLS from
the first byte), refuse (every recipient refused), reject (the message refused
once it is in), drop (the line is closed once the message is in, before the
server answers it). The only accepted login
is vorda / titok.
"""
import asyncio
import json
import logging
import os
import ssl
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult

logging.disable(logging.CRITICAL)
warnings.filterwarnings("ignore")  # AUTH without TLS is what the plain listeners test
OUT_DIR, CERT, KEY = sys.argv[1:4]
USER, PASSWORD = b"vorda", b"titok"


class Recorder:
    def __init__(self, name, refuse=False, reject=False, drop=False):
        self.name, self.refuse, self.reject, self.drop, self.count = name, refuse, reject, drop, 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.refuse:
            return "550 5.1.1 No such user here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.drop:
            server.transport.close()
            return "250 never seen"
        if self.reject:
            return "554 5.7.1 Message rejected"
        self.count += 1
        base = os.path.join(OUT_DIR, f"{self.name}-{self.count}")
        with open(base + ".eml", "wb") as f:
            f.write(envelope.content)
        login = session.auth_data if session.authenticated else ""
        meta = [f"from={envelope.mail_from}"] + [f"rcpt={r}" for r in envelope.rcpt_tos] + [f"login={login}"]
        with open(base + ".tmp", "w") as f:
            f.write("\n".join(meta) + "\n")
        os.rename(base + ".tmp", base + ".txt")
        return "250 Message accepted"


def authenticate(server, session, envelope, mechanism, auth_data):
    if auth_data.login == USER and auth_data.password == PASSWORD:
        return AuthResult(success=True, auth_data=auth_data.login.decode())
    return AuthResult(success=False, handled=False)


async def main():
    loop = asyncio.get_running_loop()
    tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    tls.load_cert_chain(CERT, KEY)
    listeners = {
        "plain": (Recorder("plain"), None, False),
        "plain_auth": (Recorder("plain_auth"), None, True),
        "tls": (Recorder("tls"), tls, False),
        "tls_auth": (Recorder("tls_auth"), tls, True),
        "refuse": (Recorder("refuse", refuse=True), None, False),
        "reject": (Recorder("reject", reject=True), None, False),
        "drop": (Recorder("drop", drop=True), None, False),
    }
    ports = {}
    servers = []
    for name, (handler, context, auth) in listeners.items():
        def factory(handler=handler, auth=auth):
            return SMTP(handler, hostname="vorda-test", auth_required=auth, auth_require_tls=False,
                        authenticator=authenticate, loop=loop)
        server = await loop.create_server(factory, "127.0.0.1", 0, ssl=context)
        servers.append(server)
        ports[name] = server.sockets[0].getsockname()[1]
    path = os.path.join(OUT_DIR, "ports.json")
    with open(path + ".tmp", "w") as f:
        json.dump(ports, f)
    os.rename(path + ".tmp", path)
    await asyncio.Event().wait()


asyncio.run(main())

; *
; * Project name:
; *     TMR0 (Simple demonstration of interrupt handling)
; * Copyright:
; *     (c) 2026 The Tickwell developers
; * Revision History:
; *     20261206:
; *       - initial release.
; * Description:
; *     This code demonstrates using interrupts in assembler. Program turns
; *     on/off LEDs on PORTB a little more than once a second: Timer0 (8-bit
; *     mode, 8 MHz / 4, prescaler 1:32, reloaded with 96) interrupts every
; *     5125 instruction cycles: the 160 x 32 = 5120 it counts plus 5 from
; *     the overflow until the reload in the interrupt routine takes effect.
; *     PORTB toggles every 400 interrupts, every 2050000 cycles = 1.025 s
; *     (measured on gpsim 0.31; where the main loop stands when cnt reaches
; *     400 moves a single toggle by up to 2 cycles).
; * Test configuration:
; *     MCU:             PIC18F4520
; *     Dev.Board:       -
; *     Oscillator:      HS, 08.0000 MHz
; *     Ext. Modules:    -
; *     SW:              MPASM v5.87, gpasm 1.4.0
; * NOTES:
; *     None.
; *

        LIST    P=18F4520
        #include <p18f4520.inc>
        CONFIG  OSC = HS, WDT = OFF, LVP = OFF, PBADEN = OFF, XINST = OFF

        CBLOCK  H'00'           ; access RAM
        cnt_lo
        cnt_hi
        ENDC

        ORG     H'0000'
        GOTO    main

        ORG     H'0008'         ; the interrupt vector (no priorities)
interrupt:
        MOVLW   D'96'           ; W, STATUS and BSR are on the fast stack
        MOVWF   TMR0L           ; reload timer0
        INFSNZ  cnt_lo,F        ; increment value of cnt on every interrupt
        INCF    cnt_hi,F
        BCF     INTCON,TMR0IF   ; clear TMR0IF
        RETFIE  FAST

main:
        MOVLW   H'0F'
        MOVWF   ADCON1          ; set AN pins to Digital I/O
        MOVLW   H'C4'
        MOVWF   T0CON           ; TMR0 on, 8-bit mode, prescaler 1:32 assigned
        CLRF    TRISB           ; PORTB is output
        SETF    PORTB           ; initialize PORTB
        MOVLW   D'96'
        MOVWF   TMR0L           ; timer0 initial value
        CLRF    cnt_lo          ; initialize cnt
        CLRF    cnt_hi
        MOVLW   H'A0'
        MOVWF   INTCON          ; enable TMR0 interrupt

loop:
        MOVLW   HIGH D'400'     ; cnt = 400 ?
        CPFSEQ  cnt_hi
        BRA     loop
        MOVLW   LOW D'400'
        CPFSEQ  cnt_lo
        BRA     loop
toggle:
        COMF    PORTB,F         ; toggle PORTB LEDs
        CLRF    cnt_lo          ; reset cnt
        CLRF    cnt_hi
        BRA     loop

        END
